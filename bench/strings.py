s = ""
for i in range(1, 20001):
    s = s + "x" + str(i)
print(len(s))
