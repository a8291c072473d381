local size = tonumber(arg[1]) or 10000000
local s = 0
for i = 1, size do s = (s + i * 3) % 1000003 end
print(s)
