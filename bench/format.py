import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
total = 0
for i in range(1, size + 1):
    total += len(format(i * 1.5, ".2f"))
print(total)
