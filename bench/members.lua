local size = tonumber(arg[1]) or 2000000
local p = {x = 0, y = 0}
for i = 1, size do p.x = p.x + 1; p.y = p.y + p.x % 7 end
print(p.x .. " " .. p.y)
