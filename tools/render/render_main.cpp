// sumimai-render [options] FILE OUT.png: draws a stroke file (or, with
// --page, the page file with its grid) through the programs' own loader,
// fitting and brush into the programs' own raster, at full speed, and saves
// it as a PNG. sumimai-render [options] --text TEXT OUT.png draws the
// characters of a text, found by name (render_text.h).
//
//   --text TEXT        the characters of TEXT instead of a file
//   --layout column|row  several characters in columns right to left
//                      (default) or in rows left to right
//   --size WxH         the window in pixels (default 1920x1080); the canvas is
//                      30 twips larger, as in the program
//   --ink R,G,B        ink colour (default 0,0,0)
//   --background FILE  picture under the ink, stretched to the canvas
//   --ground R,G,B     plain colour under the ink (default 255,255,255)
//   --output-size WxH  scale the result smoothly to this size
// The ground and the ink are composed as sumimai-export composes its
// frames, so that its last frame and this picture agree pixel for pixel.
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data_files/number_forms.h"
#include "drawing/raster/ink_only_canvas.h"
#include "export/compositing.h"
#include "export/export_error.h"
#include "export/ground.h"
#include "export/output_file.h"
#include "render_text.h"
#include "renderer/trace/trace_runs.h"

namespace {

using namespace sumimai;

struct RenderOptions {
  bool page = false;
  std::optional<std::string> text;
  WritingDirection layout = WritingDirection::Columns;
  bool sizeGiven = false;
  QSize size{1920, 1080};
  InkColour ink{0, 0, 0};
  Ground ground;
  QSize outputSize;
  std::string file;
  QString out;
};

// "WxH" with both at least 1, or "R,G,B"; nothing may follow.
std::optional<QSize> sizeOf(const std::string& text) {
  int w = 0, h = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &rest) != 2 || w < 1 || h < 1) return std::nullopt;
  return QSize(w, h);
}

std::optional<InkColour> colourOf(const std::string& text) {
  InkColour c;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%lf,%lf,%lf%c", &c.red, &c.green, &c.blue, &rest) != 3) return std::nullopt;
  return c;
}

bool setOption(RenderOptions& o, const std::string& flag, const std::string& value) {
  std::optional<QSize> size = sizeOf(value);
  std::optional<InkColour> colour = colourOf(value);
  if ((flag == "--size" || flag == "--output-size") && size) {
    (flag == "--size" ? o.size : o.outputSize) = *size;
    o.sizeGiven = o.sizeGiven || flag == "--size";
  } else if (flag == "--text") {
    o.text = value;
  } else if (flag == "--layout" && (value == "column" || value == "row")) {
    o.layout = value == "row" ? WritingDirection::Rows : WritingDirection::Columns;
  } else if (flag == "--ink" && colour) {
    o.ink = *colour;
  } else if (flag == "--ground" && colour) {
    o.ground.colour = {colourComponent(colour->red), colourComponent(colour->green), colourComponent(colour->blue)};
  } else if (flag == "--background") {
    o.ground.picture = value;
  } else {
    return false;
  }
  return true;
}

std::optional<RenderOptions> parse(int argc, char** argv) {
  RenderOptions o;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--page") o.page = true;
    else if (arg.rfind("--", 0) == 0 && i + 1 < argc && setOption(o, arg, argv[i + 1])) ++i;
    else if (arg.rfind("--", 0) != 0) positional.push_back(arg);
    else return std::nullopt;
  }
  if (positional.size() != (o.text ? 1u : 2u) || (o.text && o.page)) return std::nullopt;
  if (!o.text) o.file = positional[0];
  o.out = QString::fromStdString(positional.back());
  return o;
}

QImage toQImage(const RgbImage& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    std::copy(picture.row(y), picture.row(y) + picture.width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  }
  return image;
}

// The picture, scaled to --output-size when given, written as a PNG through
// a temporary file that replaces OUT only once it is whole.
bool savePicture(QImage image, const RenderOptions& o) {
  if (o.outputSize.isValid()) image = image.scaled(o.outputSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  try {
    OutputFile output(o.out.toStdString());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
      throw ExportError("cannot encode the picture for " + o.out.toStdString());
    }
    output.write(bytes.toStdString());
    output.commit();
  } catch (const ExportError& e) {
    std::fprintf(stderr, "sumimai-render: %s\n", e.what());
    return false;
  }
  return true;
}

// The picture of a text, written as a PNG.
int renderText(const RenderOptions& o) {
  TextRender text{*o.text, o.layout, o.ink, o.ground, std::nullopt};
  if (o.sizeGiven || charactersIn(*o.text) == 1) text.size = PictureSize{o.size.width(), o.size.height()};
  QImage image;
  try {
    image = toQImage(textPicture(text, programDataPlaces()));
  } catch (const ExportError& e) {
    std::fprintf(stderr, "sumimai-render: %s\n", e.what());
    return 1;
  }
  return savePicture(image, o) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  removeTemporaryFilesOnSignals();
  QCoreApplication app(argc, argv);
  std::optional<RenderOptions> o = parse(argc, argv);
  if (!o) {
    std::fprintf(stderr, "usage: sumimai-render [--page] [--size WxH] [--ink R,G,B] [--background FILE | "
                         "--ground R,G,B] [--output-size WxH] FILE OUT.png\n"
                         "       sumimai-render --text TEXT [--layout column|row] [options] OUT.png\n");
    return 2;
  }
  if (!o->out.endsWith(".png")) {  // a usage error, as the others
    std::fprintf(stderr, "sumimai-render: the picture must be a .png file: %s\n", o->out.toStdString().c_str());
    return 2;
  }
  if (o->text) return renderText(*o);
  if (!std::filesystem::is_regular_file(o->file)) {
    std::fprintf(stderr, "sumimai-render: no such file %s\n", o->file.c_str());
    return 1;
  }
  RgbImage ground;
  try {
    ground = groundImage(o->ground, o->size.width(), o->size.height());
  } catch (const ExportError& e) {
    std::fprintf(stderr, "sumimai-render: %s\n", e.what());
    return 1;
  }
  InkOnlyCanvas canvas;
  SizeF form{static_cast<float>(o->size.width() * kTwipsPerPixel), static_cast<float>(o->size.height() * kTwipsPerPixel)};
  TraceResult result = o->page ? tracePage(o->file, form, o->ink, canvas)
                               : traceCharacter(o->file, {form.width + 30, form.height + 30}, 0, o->ink, canvas);
  for (const std::string& m : result.messages) std::fprintf(stderr, "sumimai-render: %s\n", m.c_str());
  if (result.blank) {
    std::fprintf(stderr, "sumimai-render: nothing to see at this size; %s not written\n", qPrintable(o->out));
    return 1;
  }
  if (!savePicture(toQImage(composedStill(canvas.ink(), ground)), *o)) return 1;
  return result.messages.empty() ? 0 : 1;
}
