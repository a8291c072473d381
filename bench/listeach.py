import sys


# Python has no each method: a function that calls back per element stands in.
def each(items, action):
    for v in items:
        action(v, "")


size = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
l = [None] * size
for i in range(size):
    l[i] = i
total = 0


def add(v, name):
    global total
    total += v


each(l, add)
print(total)
