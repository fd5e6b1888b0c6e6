#include "form1.h"

namespace sumimai {

// Places the controls over the window's current outer size W x H, in single
// precision: the canvas 30 twips larger than the window, the page picture
// over the whole window, the command row with its top 1000 twips above the
// bottom edge and placed relative to the middle, Image5 at the top-right
// corner and Image6 left of it. Sizes stay as the control table gives them.
void Form1::layOut() {
  const float W = form.width();
  const float H = form.height();
  Picture1.setWidth(W + 30);
  Picture1.setHeight(H + 30);
  Image1.setTop(H - 1200);
  Image1.setLeft(W / 2 - 3000);
  イメージ1.setWidth(W);
  イメージ1.setHeight(H);
  Image5.setLeft(W - 480);
  Image5.setTop(30);
  Image2.setTop(H - 1000);
  Image2.setLeft(W / 2 - 1000);
  Text1.setTop(H - 1000);
  Text1.setLeft(W / 2 - 500);
  Image4.setTop(H - 1000);
  Image4.setLeft(W / 2 + 700);
  Image3.setTop(H - 1000);
  Image3.setLeft(W / 2 + 1200);
  Label1.setTop(H - 1000 + 20);
  Label1.setLeft(W / 2 + 150);
  Image6.setLeft(W - 3000);
}

}  // namespace sumimai
