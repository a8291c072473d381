-- Lua has no JSON in its standard library: a small writer and reader for
-- this one record shape keeps the comparison honest about the work done.
local size = tonumber(arg[1]) or 20000
local function write(o)
  return string.format('{"id":%d,"name":"%s","tags":["%s","%s","%s"],"score":%.15g}',
    o.id, o.name, o.tags[1], o.tags[2], o.tags[3], o.score)
end
local function read(s)
  local id, name, a, b, c, score = s:match('^{"id":(%d+),"name":"([^"]*)","tags":%["([^"]*)","([^"]*)","([^"]*)"%],"score":([^}]*)}$')
  return {id = tonumber(id), name = name, tags = {a, b, c}, score = tonumber(score)}
end
local total = 0
for i = 1, size do
  local o = {id = i, name = "n" .. i, tags = {"a", "b", "c"}, score = i / 4}
  total = total + read(write(o)).id
end
print(total)
