-- Lua has no JSON in its standard library: lua-cjson, a C library, stands in.
local cjson = require("cjson")
local file = assert(io.open(arg[1], "rb"))
local doc = cjson.decode(file:read("a"))
file:close()
print(#doc)
