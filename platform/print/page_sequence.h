#pragma once
// When the pages of a printed document begin and end, whatever draws them.
//
// A document begins with the first drawing call (text or line). A new page only marks a
// page break that takes effect at the next drawing call, so a trailing new page before the
// end of the document leaves no blank sheet, while two page breaks in a row with drawing
// after them leave the blank sheet between them. An end of document with nothing drawn
// since the previous one produces nothing.

namespace pillora {

// Whether the pages are handed to a printer (and count in the run's record) or are a copy
// of pages printed elsewhere (the archive).
enum class PageCount { Printed, Copy };

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

  explicit PageSequence(Pages& pages, PageCount count = PageCount::Printed)
      : m_pages(pages), m_count(count) {}

  // Before each drawing call: begins the document, or the pages of the breaks marked since
  // the last drawing. A page that fails to end or begin leaves no document open.
  void draw();
  void newPage();
  void endDoc();
  // The open document is gone (dropped after a failure).
  void drop();

 private:
  // One more page begun.
  void pageBegun();

  Pages& m_pages;
  PageCount m_count;
  bool m_open = false;
  int m_pendingBreaks = 0;
};

}  // namespace pillora
