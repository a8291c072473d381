local n = 0
for i = 1, 200000 do
  if string.match("item-" .. i .. "@example.org", "^(%w+)-(%d+)@(%w+)%.org$") then n = n + 1 end
end
print(n)
