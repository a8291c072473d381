import re
pattern = re.compile(r"^(\w+)-(\d+)@(\w+)\.org$")
n = 0
for i in range(1, 200001):
    if pattern.match("item-" + str(i) + "@example.org"):
        n += 1
print(n)
