local size = tonumber(arg[1]) or 1000000
local total = 0
for i = 1, size do total = total + #string.format("%.2f", i * 1.5) end
print(total)
