#include "form1.h"

#include "drawing/drawing_pace.h"

namespace sumimai {
namespace {

// The window's client area as designed, in twips.
constexpr float kDesignWidth = 10845;
constexpr float kDesignHeight = 6240;

void sizeControl(Control& control, float width, float height, const char* tooltip = "") {
  control.setGeometry(0, 0, width, height);
  if (*tooltip) control.setTooltip(tooltip);
}

}  // namespace

Form1::Form1(Form1Services services)
    : Picture1(services.Picture1), messages_(services.messages), pictures_(services.pictures) {
  Picture1.clock().setCallCost(kDrawingCallCost);
  createControls();
  loadBuiltInPictures();
  form.setGeometry(0, 0, kDesignWidth, kDesignHeight);
  layOut();
  installHandlers();
}

std::vector<Control*> Form1::controlsInCreationOrder() {
  return {&Picture1, &イメージ1, &Image1, &Image2, &Text1, &Label1, &Image4, &Image3, &Image5, &Image6};
}

std::vector<Control*> Form1::commandControls() {
  return {&Image1, &Image2, &Image3, &Image4, &Image5, &Text1, &Label1, &Image6};
}

void Form1::createControls() {
  for (Control* control : controlsInCreationOrder()) {
    if (control != &Picture1) control->setContainer(&Picture1);
  }
  sizeControl(Image1, 1695, 735, "選択用文字表示");
  sizeControl(Image2, 375, 405, "前に戻す");
  sizeControl(Text1, 615, 375, "文字番号");
  sizeControl(Label1, 645, 350, "描画文字");
  sizeControl(Image4, 375, 375, "ゆっくり繰り返す");
  sizeControl(Image3, 375, 375, "先に進める");
  sizeControl(Image5, 360, 375);
  sizeControl(Image6, 2175, 375);
  Text1.setText("0");
  Text1.centred = true;
  Text1.setFont({"ＭＳ Ｐゴシック", 12, true});
  Label1.setCaption("般若");
  Label1.centred = true;
  Label1.setFont({"ＭＳ Ｐゴシック", 15.75, false});
}

// The pictures that belong to the window's definition. One that cannot be
// loaded leaves its button blank; the button still acts.
void Form1::loadBuiltInPictures() {
  PictureControl* buttons[] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
  for (PictureControl* button : buttons) {
    PictureLoad loaded = pictures_.load(":/pictures/" + button->name() + ".png");
    if (loaded.ok()) button->setPicture(loaded.picture);
  }
}

void Form1::installHandlers() {
  form.onResize = [this] { Form_Resize(); };
  Image1.events.click = [this] { Image1_Click(); };
  Image2.events.click = [this] { Image2_Click(); };
  Image3.events.click = [this] { Image3_Click(); };
  Image4.events.click = [this] { Image4_Click(); };
  Image5.events.click = [this] { Image5_Click(); };
  Image5.events.doubleClick = [this] { Image5_DblClick(); };
  Label1.events.click = [this] { Label1_Click(); };
  Picture1.events.keyDown = [this](int key, int shift) { Picture1_KeyDown(key, shift); };
  イメージ1.events.mouseMove = [this](const MouseEventArgs& e) {
    イメージ1_MouseMove(e.button, e.shift, e.x, e.y);
  };
  イメージ1.events.mouseUp = [this](const MouseEventArgs& e) {
    イメージ1_MouseUp(e.button, e.shift, e.x, e.y);
  };
  イメージ1.events.doubleClick = [this] { イメージ1_DblClick(); };
  イメージ1.events.click = [this] { イメージ1_Click(); };
}

void Form1::setCommandControlsVisible(bool visible) {
  for (Control* control : commandControls()) control->setVisible(visible);
}

}  // namespace sumimai
