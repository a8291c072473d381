local size = tonumber(arg[1]) or 200000
local text = string.rep("The quick brown fox jumps over the lazy dog; 1234 ", size)
print(#(text:gsub("fox", "wolf")))
