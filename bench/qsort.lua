local size = tonumber(arg[1]) or 100000
local function quicksort(a, lo, hi)
  while lo < hi do
    local pivot = a[(lo + hi) // 2]
    local i, j = lo, hi
    while i <= j do
      while a[i] < pivot do i = i + 1 end
      while a[j] > pivot do j = j - 1 end
      if i <= j then
        a[i], a[j] = a[j], a[i]
        i, j = i + 1, j - 1
      end
    end
    if j - lo < hi - i then
      quicksort(a, lo, j); lo = i
    else
      quicksort(a, i, hi); hi = j
    end
  end
end
local texts = {}
local x = 42
for k = 0, size - 1 do
  x = x * 16807 % 2147483647
  texts[k] = "k" .. x
end
quicksort(texts, 0, size - 1)
print(texts[0] .. " " .. texts[size // 2] .. " " .. texts[size - 1])
