print(#(string.gsub(string.rep("a", 2000000), "a", "bb")))
