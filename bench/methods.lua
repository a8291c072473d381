local size = tonumber(arg[1]) or 1000000
local Counter = {}
Counter.__index = Counter
function Counter.new() return setmetatable({n = 0}, Counter) end
function Counter:add(k) self.n = self.n + k; return self.n end
local c = Counter.new()
for i = 1, size do c:add(i % 3) end
print(c.n)
