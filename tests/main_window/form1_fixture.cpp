#include "form1_fixture.h"

#include "data_files/file_paths.h"

namespace sumimai::testing {

std::string character(int slot) { return "字" + std::to_string(slot); }

std::string strokeFile(const std::vector<std::string>& records) {
  std::string s = "header\r\n";
  int n = 0;
  for (const std::string& r : records) s += std::to_string(++n) + "," + r + ",,,,\r\n";
  return s + "99999\r\n99999\r\n";
}

std::string characterList(int count) {
  std::string s = "\xEF\xBB\xBF";
  for (int i = 1; i <= count; ++i) {
    s.append("\"").append(character(i)).append("\"").append(i % 10 == 0 ? "\r\n" : ",");
  }
  return s;
}

Form1Test::Form1Test() {
  writeFile("設定.dat", "0\r\n 10 \r\n 20 \r\n 30 \r\n");
  writeFile("Picture.jpg", "start picture");
  writeFile("Picture2.jpg", "background picture");
  writeFile(dataFilePath("海（墨翁）.MEM"), strokeFile({"100,100,300,100,1,20", "0,0,300,400,2,10"}));
  writeFile(dataFilePath("般若心経.mem"),
            strokeFile({"1000,3000,1000,4000,1,30", "14000,8000,14000,8500,1,30"}));
  writeFile(dataFilePath("文字2.csv"), characterList(276));
  for (int slot : {1, 6, 8, 12, 13, 271, 276}) {
    writeFile(dataFilePath(character(slot) + ".mem"), strokeFile({"100,100,500,100,1,20"}));
  }
  for (Control* control : form1.controlsInCreationOrder()) log.watch(*control);
  log.watch(form1.form);
  // Every drawing of a character begins by clearing the canvas: record the
  // stroke file name in force then.
  canvas.onCall = [this](const CanvasCall& call) {
    if (std::holds_alternative<ClearCall>(call)) drawn.push_back(form1.StrokeFileName);
  };
}

void Form1Test::resize(float width, float height) {
  form1.form.setGeometry(0, 0, width, height);
  form1.form.onResize();
}

void Form1Test::startUp() {
  resize(kScreenWidth, kScreenHeight);
  forget();
}

void Form1Test::forget() {
  canvas.forgetCalls();
  messages.shown.clear();
  pictures.loads.clear();
  log.lines.clear();
  drawn.clear();
}

void Form1Test::type(const std::string& text) {
  form1.Text1.setText(text);
  forget();
}

PointF cellCentre(int number) {
  const GridBox& g = kPageGridBox;
  int column, row;  // column from the box's left edge, from 0; row from 1
  if (number <= 10) {
    column = 28, row = number;
  } else if (number <= 272) {
    row = (number - 1) % 10 + 1;
    column = 28 - (number - row) / 10;
  } else {
    column = 0, row = number - 272;
  }
  const double w = (g.GridRight - g.GridLeft) / 28, h = (g.GridBottom - g.GridTop) / 10.0;
  return {static_cast<float>(g.GridLeft + (column + 0.5) * w), static_cast<float>(g.GridTop + (row - 0.5) * h)};
}

void Form1Test::releaseAt(PointF at, int button) {
  form1.イメージ1.events.mouseMove({0, 0, at.x, at.y});
  form1.イメージ1.events.mouseUp({button, 0, at.x, at.y});
}

void Form1Test::enterDrawingView(int number) {
  startUp();
  form1.grid = kPageGridBox;
  releaseAt(cellCentre(number));
  forget();
}

std::vector<std::string> Form1Test::messageTitles() const {
  std::vector<std::string> titles;
  for (const ShownMessage& m : messages.shown) titles.push_back(m.title);
  return titles;
}

bool Form1Test::inPageView() {
  for (Control* c : form1.commandControls()) {
    bool shouldShow = c == &form1.Image5 || c == &form1.Image6;
    if (c->visible() != shouldShow) return false;
  }
  return form1.イメージ1.picture().source == "般若心経.bmp";
}

bool Form1Test::inDrawingView() {
  for (Control* c : form1.commandControls()) {
    if (!c->visible()) return false;
  }
  return true;
}

}  // namespace sumimai::testing
