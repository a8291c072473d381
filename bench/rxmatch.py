import re
import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 200000
text = "The quick brown fox jumps over the lazy dog; 1234 " * size
print(len(re.findall(r"\w+", text)))
