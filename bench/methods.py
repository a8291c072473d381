class Counter:
    def __init__(self):
        self.n = 0
    def add(self, k):
        self.n += k
        return self.n
c = Counter()
for i in range(1, 1000001):
    c.add(i % 3)
print(c.n)
