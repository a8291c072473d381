import json
import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 20000
total = 0
for i in range(1, size + 1):
    o = {"id": i, "name": "n" + str(i), "tags": ["a", "b", "c"], "score": i / 4}
    total += json.loads(json.dumps(o))["id"]
print(total)
