// The current character (the number in Text1), the drawing of it, and the
// buttons of the drawing view.
#include "data_files/folder_files.h"
#include "data_files/number_forms.h"
#include "form1.h"
#include "form1_texts.h"
#include "renderer/drawing_sequence.h"

namespace sumimai {
namespace {
constexpr int kLastSlot = 300;  // SutraText has slots 0..300
}  // namespace

// The number in Text1 confined to 1..276: above 276 becomes "1", then below
// 1 becomes "276".
void Form1::wrapText1() {
  if (numericValue(Text1.text()) > kSutraCharacters) Text1.setText("1");
  if (numericValue(Text1.text()) < 1) Text1.setText(std::to_string(kSutraCharacters));
}

// The slot of SutraText that Text1 names: its value rounded halves to even.
// A slot of 0 or 277..300 is empty; a number whose slot lies outside
// 0..300 is first wrapped into 1..276.
int Form1::slotOfText1() {
  double slot = roundHalfEven(numericValue(Text1.text()));
  if (slot < 0 || slot > kLastSlot) {
    wrapText1();
    slot = roundHalfEven(numericValue(Text1.text()));
  }
  return static_cast<int>(slot);
}

// Draws the character Text1 names: load, fit, clear, draw, with the command
// controls hidden meanwhile. The slow variant draws with Speed 2 higher and
// gives Speed its previous value back afterwards.
void Form1::DrawCurrentCharacter(bool slow) {
  setCommandControlsVisible(false);
  const int slot = slotOfText1();
  const std::string character = SutraText[static_cast<std::size_t>(slot)];
  shown_ = ShownCharacter{slot, character};
  StrokeFileName = strokeFileName(character);
  Label1.setCaption(character);
  呼び出し();
  if (form.ended()) return;
  tellIfUndrawable();
  if (form.ended()) return;
  const double speed = DrawSettings.Speed;
  if (slow) DrawSettings.Speed = speed + 2;
  drawCharacter(StrokeTable, drawingTarget(), DrawSettings.Speed, InkColour, brushState());
  DrawSettings.Speed = speed;
  setCommandControlsVisible(true);
}

// Adds step to the number in Text1, writes it back in the step form (a
// leading blank), wraps it into 1..276 and draws that character.
void Form1::StepCharacter(int step) {
  Text1.setText(stepForm(numericValue(Text1.text()) + step));
  wrapText1();
  DrawCurrentCharacter(false);
}

void Form1::Image1_Click() { ShowSutraPage(); }
void Form1::Image2_Click() { StepCharacter(-1); }
void Form1::Image3_Click() { StepCharacter(+1); }

// Draws the number in Text1 again, slowly, without rewriting it.
void Form1::Image4_Click() { DrawCurrentCharacter(true); }

// The farewell box's answer is not examined: however it is closed, the
// program ends.
void Form1::Image5_Click() {
  messages_.show(Form1Texts::kFarewellPrompt, Form1Texts::kFarewellTitle, MessageBoxStyle::kCancelTryAgainContinue);
  form.end();
}

void Form1::Image5_DblClick() { form.end(); }

// Shows the character of a typed number without drawing it.
void Form1::Label1_Click() {
  wrapText1();
  Label1.setCaption(SutraText[static_cast<std::size_t>(slotOfText1())]);
}

}  // namespace sumimai
