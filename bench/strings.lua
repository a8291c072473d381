local size = tonumber(arg[1]) or 20000
local t = {}
for i = 1, size do t[#t + 1] = "x" .. i end
print(#table.concat(t))
