#include "animation_saving.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

namespace sumimai {
namespace {

struct Cancelled {};

}  // namespace

SavingResult saveWithProgress(QWidget* parent, const WritingToSave& writing, const PlaybackExport& request) {
  std::atomic<std::int64_t> frame{0}, frames{0};
  std::atomic<bool> cancel{false}, done{false};
  SavingResult result;
  std::thread worker([&] {
    try {
      WritingSession session(writing.composition, writing.style, writing.options);
      PlaybackExport r = request;
      r.progress = [&](std::int64_t k, std::int64_t n) {
        frame = k, frames = n;
        if (cancel) throw Cancelled{};
      };
      (void)exportPlayback(session, r);
    } catch (const Cancelled&) {
      result.outcome = SavingResult::Cancelled;
    } catch (const std::exception& e) {
      result = {SavingResult::Failed, QString::fromStdString(e.what())};
    }
    done = true;
  });

  QProgressDialog dialog(QObject::tr("%1 を書き出しています…").arg(QString::fromStdString(request.output.filename().string())),
                         QObject::tr("キャンセル"), 0, 100, parent);
  dialog.setWindowTitle(QObject::tr("保存"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(300);
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (dialog.wasCanceled()) cancel = true;
    if (frames > 0) dialog.setValue(static_cast<int>(100 * frame / frames));
    if (done) loop.quit();
  });
  poll.start(30);
  loop.exec();
  worker.join();
  dialog.reset();
  return result;
}

}  // namespace sumimai
