import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 20000
s = ""
for i in range(1, size + 1):
    s = s + "x" + str(i)
print(len(s))
