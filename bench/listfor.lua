local size = tonumber(arg[1]) or 1000000
local l = {}
for i = 1, size do l[i] = i - 1 end
local sum = 0
for _, v in ipairs(l) do sum = sum + v end
print(sum)
