local size = tonumber(arg[1]) or 2000000
print(#(string.gsub(string.rep("a", size), "a", "bb")))
