// A form with one custom control that paints a framed title, a text line
// and a row of colour swatches. Hover over it for its hint.
#include "toolkit/controls/application.h"
#include "toolkit/controls/form.h"

using namespace toolkit;

namespace {

class Showcase : public CustomControl {
 public:
  explicit Showcase(Component* owner) : CustomControl(owner) {
    SetBounds(20, 20, 560, 300);
    SetHint(u"A custom control|It paints text and rectangles through its canvas");
    SetShowHint(true);
  }

 protected:
  void Paint() override {
    Canvas& canvas = GetCanvas();
    const Rect client = ClientRect();
    canvas.GetBrush().SetColor(clWindow);
    canvas.FillRect(client);

    canvas.GetPen().SetColor(clNavy);
    canvas.GetPen().SetWidth(3);
    canvas.GetBrush().SetColor(Rgb(220, 232, 250));
    canvas.Rectangle({20, 20, client.right - 20, 110});

    canvas.GetBrush().SetStyle(BrushStyle::Clear);
    canvas.GetFont().SetName(u"Tahoma");
    canvas.GetFont().SetSize(20);
    canvas.GetFont().SetStyle(fsBold);
    canvas.GetFont().SetColor(clNavy);
    canvas.TextOut(40, 45, u"Hello from the toolkit");
    const Size extent = canvas.TextExtent(u"Hello from the toolkit");

    canvas.GetFont().SetSize(10);
    canvas.GetFont().SetStyle(0);
    canvas.GetFont().SetColor(clWindowText);
    String line = u"Canvas, font, pen and brush on GDI; the title measures ";
    line += IntToString(extent.cx);
    line += u" x ";
    line += IntToString(extent.cy);
    line += u" pixels.";
    canvas.TextOut(20, 130, line);

    const Color swatches[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
    canvas.GetPen().SetWidth(1);
    canvas.GetPen().SetColor(clBlack);
    int left = 20;
    for (Color color : swatches) {
      canvas.GetBrush().SetColor(color);
      canvas.Rectangle({left, 170, left + 60, 230});
      left += 80;
    }
    canvas.GetPen().SetColor(clGray);
    canvas.MoveTo(20, 260);
    canvas.LineTo(client.right - 20, 260);
  }
};

}  // namespace

int main() {
  Form form(nullptr);
  form.SetCaption(u"Toolkit demo");
  form.SetBounds(60, 60, 620, 380);
  auto* showcase = new Showcase(&form);
  showcase->SetParent(&form);
  form.Show();
  TheApplication().Run();
  return 0;
}
