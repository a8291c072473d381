import json
total = 0
for i in range(1, 20001):
    o = {"id": i, "name": "n" + str(i), "tags": ["a", "b", "c"], "score": i / 4}
    total += json.loads(json.dumps(o))["id"]
print(total)
