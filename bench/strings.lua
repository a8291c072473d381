local t = {}
for i = 1, 20000 do t[#t + 1] = "x" .. i end
print(#table.concat(t))
