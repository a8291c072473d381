local size = tonumber(arg[1]) or 200000
local n = 0
for i = 1, size do
  if string.match("item-" .. i .. "@example.org", "^(%w+)-(%d+)@(%w+)%.org$") then n = n + 1 end
end
print(n)
