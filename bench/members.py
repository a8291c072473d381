p = {"x": 0, "y": 0}
for i in range(2000000):
    p["x"] = p["x"] + 1
    p["y"] = p["y"] + p["x"] % 7
print(p["x"], p["y"])
