import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
class Counter:
    def __init__(self):
        self.n = 0
    def add(self, k):
        self.n += k
        return self.n
c = Counter()
for i in range(1, size + 1):
    c.add(i % 3)
print(c.n)
