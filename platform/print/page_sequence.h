#pragma once
// When the pages of a printed document begin and end, whatever draws them.
//
// A document begins with the first drawing call (text or line). A new page only marks a
// page break that takes effect at the next drawing call, so a trailing new page before the
// end of the document leaves no blank sheet, while two page breaks in a row with drawing
// after them leave the blank sheet between them. An end of document with nothing drawn
// since the previous one produces nothing.

namespace pillora {

class PageSequence {
 public:
  // What makes the pages.
  class Pages {
   public:
    virtual ~Pages() = default;
    // Starts a page (and the document, at its first page).
    virtual void beginPage() = 0;
    // Ends a page that another one follows.
    virtual void endPage() = 0;
    // Ends the last page and the document.
    virtual void endDocument() = 0;
  };

  explicit PageSequence(Pages& pages) : m_pages(pages) {}

  // Before each drawing call: begins the document, or the pages of the breaks marked since
  // the last drawing. A page that fails to end or begin leaves no document open.
  void draw();
  void newPage();
  void endDoc();
  // The open document is gone (dropped after a failure).
  void drop();

 private:
  Pages& m_pages;
  bool m_open = false;
  int m_pendingBreaks = 0;
};

}  // namespace pillora
