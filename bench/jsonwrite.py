import json
import sys
with open(sys.argv[1], encoding="utf-8") as file:
    doc = json.loads(file.read())
print(len(json.dumps(doc, separators=(",", ":"))))
