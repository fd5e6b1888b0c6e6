// Form2's controls as designed: positions and sizes in twips (relative to
// Frame2 for the controls it contains), captions, fonts in points, and the
// wiring of their events to the window's handlers.
#include "form2.h"

namespace sumimai {
namespace {

FontSpec font(double points, bool bold) { return FontSpec{"ＭＳ Ｐゴシック", points, bold}; }

void place(Control& control, float left, float top, float width, float height,
           FontSpec fontSpec, Control* container = nullptr) {
  control.setGeometry(left, top, width, height);
  control.setFont(std::move(fontSpec));
  control.setContainer(container);
}

void caption(CaptionControl& control, std::string text, bool centred) {
  control.setCaption(std::move(text));
  control.centred = centred;
}

}  // namespace

Form2::Form2(Form2Services services) : Picture1(services.Picture1), messages_(services.messages) {
  layOut();
  connectEvents();
}

void Form2::layOut() {
  const FontSpec formFont = font(12, false);
  place(form, 0, 0, kClientArea.width, kClientArea.height, formFont);

  place(Label1, 1080, 240, 2415, 375, font(15.75, true));
  caption(Label1, "描画スピード", true);
  place(sp1p, 3360, 240, 495, 495, font(14.25, true));
  place(Label3, 240, 720, 735, 495, font(15.75, true));
  caption(Label3, "速く", true);
  place(speed1, 1080, 720, 2295, 375, formFont);
  place(Label4, 3480, 720, 855, 495, font(15.75, true));
  caption(Label4, "遅く", true);

  place(Frame2, 360, 1320, 3615, 2055, font(11.25, true));
  caption(Frame2, "文字色", false);
  place(Label6, 240, 360, 375, 255, font(9.75, true), &Frame2);
  caption(Label6, "赤", false);
  place(Label7, 240, 720, 375, 255, font(9.75, true), &Frame2);
  caption(Label7, "緑", false);
  place(Label8, 240, 1080, 495, 255, font(9.75, true), &Frame2);
  caption(Label8, "青", false);
  place(HScroll2, 840, 360, 1935, 255, formFont, &Frame2);
  place(HScroll3, 840, 720, 1935, 255, formFont, &Frame2);
  place(HScroll4, 840, 1080, 1935, 255, formFont, &Frame2);
  place(Text2, 2880, 360, 615, 285, font(9.75, false), &Frame2);
  place(Text3, 2880, 720, 615, 270, font(9.75, false), &Frame2);
  place(Picture1, 720, 1440, 2295, 375, formFont, &Frame2);
  // Text4 belongs to the window and stands over the frame's blue row.
  place(Text4, 3240, 2400, 615, 285, font(9.75, false));
  Text2.centred = Text3.centred = Text4.centred = true;

  place(Command1, 960, 3600, 1335, 495, font(12, true));
  caption(Command1, "登　　録", true);
  place(Command2, 2400, 3600, 1335, 495, font(9.75, true));
  caption(Command2, "キャンセル", true);
}

void Form2::connectEvents() {
  form.onActivate = [this] {
    if (activated_) return;
    activated_ = true;
    Form_Activate();
  };
  speed1.events.change = [this] { speed1_Change(); };
  HScroll2.events.change = [this] { HScroll2_Change(); };
  HScroll3.events.change = [this] { HScroll3_Change(); };
  HScroll4.events.change = [this] { HScroll4_Change(); };
  Text2.events.change = [this] { Text2_Change(); };
  Text3.events.change = [this] { Text3_Change(); };
  Text4.events.change = [this] { Text4_Change(); };
  Command1.events.click = [this] { Command1_Click(); };
  Command2.events.click = [this] { Command2_Click(); };
}

std::vector<Control*> Form2::controlsInCreationOrder() {
  return {&Label1,   &sp1p,     &Label3,   &speed1, &Label4, &Frame2,
          &Label6,   &Label7,   &Label8,   &HScroll2, &HScroll3, &HScroll4,
          &Text2,    &Text3,    &Picture1, &Text4,  &Command1, &Command2};
}

std::vector<Control*> Form2::focusOrder() {
  return {&speed1, &Command1, &Command2, &Text2, &Text3, &Text4, &Picture1, &HScroll2, &HScroll3, &HScroll4};
}

}  // namespace sumimai
