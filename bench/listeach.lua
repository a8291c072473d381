-- Lua has no each method: a function that calls back per element stands in.
local function each(list, action) for i = 1, #list do action(list[i], "") end end
local size = tonumber(arg[1]) or 1000000
local l = {}
for i = 1, size do l[i] = i - 1 end
local sum = 0
each(l, function(v) sum = sum + v end)
print(sum)
