import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
l = [None] * size
for i in range(size):
    l[i] = i
total = 0
for v in l:
    total += v
print(total)
