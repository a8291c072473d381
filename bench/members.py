import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 2000000
p = {"x": 0, "y": 0}
for i in range(size):
    p["x"] = p["x"] + 1
    p["y"] = p["y"] + p["x"] % 7
print(p["x"], p["y"])
