import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 10000000
s = 0
for i in range(1, size + 1):
    s = (s + i * 3) % 1000003
print(s)
