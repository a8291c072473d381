#include "toolkit/headless/draw_call.h"

#include <cstdio>

namespace toolkit::headless {

namespace {

std::string Number(int value) { return std::to_string(value); }

std::string RectText(const Rect& r) {
  return Number(r.left) + "," + Number(r.top) + "," + Number(r.right) + "," + Number(r.bottom);
}

std::string ColorText(Color color) { return ToUtf8(ColorToString(color)); }

std::string BrushText(const DrawCall& call) {
  if (call.brushStyle == BrushStyle::Clear) return " brush=clear";
  std::string text = " brush=" + ColorText(call.brushColor);
  if (call.brushOrigin.x != 0 || call.brushOrigin.y != 0)
    text += " brushorg=" + Number(call.brushOrigin.x) + "," + Number(call.brushOrigin.y);
  return text;
}

std::string NumbersText(const std::vector<int>& numbers) {
  std::string text;
  for (int n : numbers) {
    if (!text.empty()) text += ",";
    text += Number(n);
  }
  return text;
}

std::string ClipText(const DrawCall& call) {
  if (call.clipRegion.size() < 2) return " clip=" + RectText(call.clip);
  std::string text = " clip=";
  for (std::size_t i = 0; i < call.clipRegion.size(); ++i) {
    if (i) text += "+";
    text += RectText(call.clipRegion[i]);
  }
  return text;
}

std::string PenText(const DrawCall& call) {
  return call.penStyle == PenStyle::Clear ? " pen=clear" : " pen=" + ColorText(call.penColor);
}

std::string FontText(const DrawCall& call) {
  std::string text = " font=" + ToUtf8(call.fontName) + "/" + Number(call.fontHeight) + "/" + ColorText(call.fontColor);
  if (call.fontStyle & fsBold) text += "/bold";
  if (call.fontStyle & fsItalic) text += "/italic";
  if (call.fontStyle & fsUnderline) text += "/underline";
  if (call.fontStyle & fsStrikeOut) text += "/strikeout";
  return text;
}

std::string PointsText(const std::vector<Point>& points) {
  std::string text;
  for (const Point& p : points) {
    if (!text.empty()) text += " ";
    text += Number(p.x) + "," + Number(p.y);
  }
  return text;
}

}  // namespace

std::string DrawCall::ToString() const {
  std::string text = op + "(";
  if (op == "FillRect" || op == "FrameRect") {
    text += RectText(rect) + ")" + BrushText(*this);
  } else if (op == "Rectangle") {
    text += RectText(rect) + ")" + PenText(*this) + BrushText(*this);
  } else if (op == "Polyline") {
    text += PointsText(points) + ")" + PenText(*this);
  } else if (op == "Polygon") {
    text += PointsText(points) + ")" + PenText(*this) + BrushText(*this);
  } else if (op == "TextOut") {
    text += PointsText(points) + " \"" + ToUtf8(this->text) + "\")" + FontText(*this);
    if (flags & toOpaque) text += BrushText(*this);
    if (flags & toClipped) text += " in=" + RectText(rect);
  } else if (op == "DrawText") {
    text += RectText(rect) + " \"" + ToUtf8(this->text) + "\" flags=" + Number(static_cast<int>(flags)) + ")" +
            FontText(*this);
  } else if (op == "Pixel") {
    text += PointsText(points) + ") " + ColorText(penColor);
  } else if (op == "Draw") {
    text += RectText(rect) + " from " + PointsText(points) + ")";
  } else if (op == "Edge") {
    // Edge(rect edge=kinds sides=flags [themed=element/part/state])
    char sides[16];
    std::snprintf(sides, sizeof sides, "0x%X", flags);
    text += RectText(rect) + " edge=" + Number(points[0].x) + " sides=" + sides;
    if (points[0].y) text += " themed=" + Number(points[1].x) + "/" + Number(points[1].y) + "/" + Number(points[2].x);
    text += ")";
  } else if (op == "ExtTextOut") {
    text += PointsText(points) + " \"" + ToUtf8(this->text) + "\" dx=" + NumbersText(advances) + ")" + FontText(*this);
    if (flags & toOpaque) text += BrushText(*this);
    if (flags & toClipped) text += " in=" + RectText(rect);
  } else if (op == "RoundRect") {
    text += RectText(rect) + " corner=" + PointsText(points) + ")" + PenText(*this) + BrushText(*this);
  } else if (op == "FocusRect") {
    text += RectText(rect) + ")";
  } else if (op == "ScrollDC") {
    // ScrollDC(dx,dy scroll=rect clip=rect)
    text += PointsText({points[0]}) + " scroll=" + RectText(rect) + " within=" +
            RectText({points[1].x, points[1].y, points[2].x, points[2].y}) + ")";
  } else if (op == "CopyRect") {
    text += RectText(rect) + " from " + PointsText(points) + ")";
  } else if (op == "Themed") {
    text += Number(static_cast<int>(flags)) + " " + PointsText(points) + " " + RectText(rect) + ")";
  } else {
    text += ")";
  }
  if (clipped) text += ClipText(*this);
  if (origin.x != 0 || origin.y != 0) text += " origin=" + Number(origin.x) + "," + Number(origin.y);
  return text;
}

std::string Summaries(const std::vector<DrawCall>& calls) {
  std::string text;
  for (const DrawCall& call : calls) text += call.ToString() + "\n";
  return text;
}

}  // namespace toolkit::headless
