import sys


def quicksort(a, lo, hi):
    while lo < hi:
        pivot = a[(lo + hi) // 2]
        i, j = lo, hi
        while i <= j:
            while a[i] < pivot:
                i += 1
            while a[j] > pivot:
                j -= 1
            if i <= j:
                a[i], a[j] = a[j], a[i]
                i += 1
                j -= 1
        if j - lo < hi - i:
            quicksort(a, lo, j)
            lo = i
        else:
            quicksort(a, i, hi)
            hi = j


size = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
texts = [None] * size
x = 42
for k in range(size):
    x = x * 16807 % 2147483647
    texts[k] = "k" + str(x)
quicksort(texts, 0, size - 1)
print(texts[0] + " " + texts[size // 2] + " " + texts[size - 1])
