// First program of a new checkout: shows that the runtime links and runs.
#include <cstdio>

#include "base/named_list.h"
#include "value/value.h"

namespace {

class Greeting : public CBase {
public:
  explicit Greeting(const char* text) : text(text) {}
  const char* text;
};

}  // namespace

int main() {
  auto* names = new CNamedList(true);
  names->Put(QT("hello"), new Greeting("Hello from the Qel runtime"));
  Value v;
  v.SetCountedObject(names->Find(QT("HELLO")));
  std::printf("%s\n", static_cast<Greeting*>(v.AsObject())->text);
  v.Clear();
  names->Release();
  return 0;
}
