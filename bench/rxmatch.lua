local size = tonumber(arg[1]) or 200000
local text = string.rep("The quick brown fox jumps over the lazy dog; 1234 ", size)
local words = {}
for w in text:gmatch("[%w_]+") do words[#words + 1] = w end
print(#words)
