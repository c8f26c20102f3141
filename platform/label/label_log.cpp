#include "platform/label/label_log.h"

#include "common/text/errors.h"

namespace pillora {

namespace {

Text number(int value) {
  return fromUtf8(std::to_string(value));
}

}  // namespace

void LabelLog::log(std::string_view name, std::initializer_list<TextView> fields) {
  std::string line(name);
  for (const TextView field : fields) {
    line += "\t" + escapeLogField(field);
  }
  m_write(line);
}

void LabelLog::openport(const Text& printerName) {
  log("openport", {printerName});
  if (m_next != nullptr) m_next->openport(printerName);
}

void LabelLog::closeport() {
  log("closeport", {});
  if (m_next != nullptr) m_next->closeport();
}

void LabelLog::setup(const Text& width, const Text& height, const Text& speed, const Text& density,
                     const Text& sensor, const Text& vertical, const Text& offset) {
  log("setup", {width, height, speed, density, sensor, vertical, offset});
  if (m_next != nullptr) m_next->setup(width, height, speed, density, sensor, vertical, offset);
}

void LabelLog::clearbuffer() {
  log("clearbuffer", {});
  if (m_next != nullptr) m_next->clearbuffer();
}

void LabelLog::windowsfont(int x, int y, int fontheight, int rotation, int fontstyle,
                           int fontunderline, const Text& szFaceName, const Text& content) {
  log("windowsfont", {number(x), number(y), number(fontheight), number(rotation), number(fontstyle),
                      number(fontunderline), szFaceName, content});
  if (m_next != nullptr) {
    m_next->windowsfont(x, y, fontheight, rotation, fontstyle, fontunderline, szFaceName, content);
  }
}

void LabelLog::printlabel(const Text& set, const Text& copy) {
  log("printlabel", {set, copy});
  if (m_next != nullptr) m_next->printlabel(set, copy);
}

void LabelLog::sendcommand(const Text& printercommand) {
  log("sendcommand", {printercommand});
  if (m_next != nullptr) m_next->sendcommand(printercommand);
}

void LabelLog::downloadpcx(const Text& filename, const Text& image_name) {
  log("downloadpcx", {filename, image_name});
  if (m_next != nullptr) m_next->downloadpcx(filename, image_name);
}

void LabelLog::barcode(const Text& x, const Text& y, const Text& type, const Text& height,
                       const Text& readable, const Text& rotation, const Text& narrow,
                       const Text& wide, const Text& code) {
  log("barcode", {x, y, type, height, readable, rotation, narrow, wide, code});
  if (m_next != nullptr)
    m_next->barcode(x, y, type, height, readable, rotation, narrow, wide, code);
}

void LabelLog::printerfont(const Text& x, const Text& y, const Text& fonttype, const Text& rotation,
                           const Text& xmul, const Text& ymul, const Text& text) {
  log("printerfont", {x, y, fonttype, rotation, xmul, ymul, text});
  if (m_next != nullptr) m_next->printerfont(x, y, fonttype, rotation, xmul, ymul, text);
}

void LabelLog::formfeed() {
  log("formfeed", {});
  if (m_next != nullptr) m_next->formfeed();
}

void LabelLog::nobackfeed() {
  log("nobackfeed", {});
  if (m_next != nullptr) m_next->nobackfeed();
}

PrintLog::Writer lazyAppendingFileWriter(std::string path) {
  return [path = std::move(path), write = PrintLog::Writer()](const std::string& line) mutable {
    if (!write) {
      try {
        write = appendingFileWriter(path);
      } catch (const PrinterError&) {
        throw PrinterError("cannot open the label log " + path);
      }
    }
    write(line);
  };
}

}  // namespace pillora
