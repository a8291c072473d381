import re
import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 200000
pattern = re.compile(r"^(\w+)-(\d+)@(\w+)\.org$")
n = 0
for i in range(1, size + 1):
    if pattern.match("item-" + str(i) + "@example.org"):
        n += 1
print(n)
