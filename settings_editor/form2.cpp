// Form2's handlers and procedures. Assigning a bar or a text box from here
// raises its change event at once, so the handlers run in nested chains; a
// chain ends when a bar is assigned the value it already has.
#include "form2.h"

#include <algorithm>

#include "data_files/number_forms.h"

namespace sumimai {
namespace {

constexpr char kTitle[] = "設定";

// The value a bar is given for a number: rounded halves to even and moved
// to the nearer end of the bar's range when it lies outside.
std::int16_t barValueFor(const ScrollBar& bar, double value) {
  return std::clamp(roundToInt16Clamped(value), bar.min(), bar.max());
}

}  // namespace

void Form2::Form_Activate() {
  呼び出し();
  sp1p.setCaption(displayForm(speed));
  speed1.setValue(barValueFor(speed1, speed));
  HScroll2.setValue(barValueFor(HScroll2, red));
  Text2.setText(displayForm(red));
  HScroll3.setValue(barValueFor(HScroll3, green));
  Text3.setText(displayForm(green));
  HScroll4.setValue(barValueFor(HScroll4, blue));
  Text4.setText(displayForm(blue));
  色塗り();
}

void Form2::呼び出し() {
  SettingsRead read = readSettingsFile(kSettingsFileName);
  if (!read.ok()) {
    messages_.show(std::string(kSettingsFileName) + " を読み込めません：" + read.problem +
                       "\n描画スピード 0、文字色は黒で始めます。\n「登　　録」を押すと、この設定で保存します。",
                   kTitle, MessageBoxStyle::kOk);
  }
  speed = read.values[0];  // all four are 0 when the file could not be used
  red = read.values[1];
  green = read.values[2];
  blue = read.values[3];
  sp1p.setCaption(decimalDigits(speed));
  speed1.setValue(barValueFor(speed1, speed));
}

void Form2::speed1_Change() {
  speed = speed1.value();
  sp1p.setCaption(decimalDigits(speed));
}

void Form2::barChanged(const ScrollBar& bar, TextBox& text, double& component) {
  component = bar.value();
  text.setText(displayForm(component));
  色塗り();
}

void Form2::textChanged(const TextBox& text, ScrollBar& bar, double& component) {
  component = numericValue(text.text());
  bar.setValue(barValueFor(bar, component));
}

void Form2::HScroll2_Change() { barChanged(HScroll2, Text2, red); }
void Form2::HScroll3_Change() { barChanged(HScroll3, Text3, green); }
void Form2::HScroll4_Change() { barChanged(HScroll4, Text4, blue); }
void Form2::Text2_Change() { textChanged(Text2, HScroll2, red); }
void Form2::Text3_Change() { textChanged(Text3, HScroll3, green); }
void Form2::Text4_Change() { textChanged(Text4, HScroll4, blue); }

void Form2::色塗り() {
  // Each component rounded halves to even and held to 0..255, as the brush has it.
  Rgb colour = ringColour(InkColour{red, green, blue});
  Picture1.fillRectangle({0, 0}, {Picture1.width(), Picture1.height()}, colour);
}

FileWrite Form2::書き込み() {
  return replaceFile(kSettingsFileName, settingsFileText(sp1p.caption(), red, green, blue));
}

void Form2::Command1_Click() {
  FileWrite written = 書き込み();
  if (!written.ok()) {
    // The window stays open with every value as typed, so the user can try again.
    messages_.show(std::string(kSettingsFileName) + " を保存できません：" + written.problem +
                       "。\n" + kSettingsFileName + " は変わっていません。入力した値はそのまま残っています。",
                   kTitle, MessageBoxStyle::kOk);
    return;
  }
  form.end();
}

void Form2::Command2_Click() { form.end(); }

}  // namespace sumimai
