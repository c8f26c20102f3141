#include "velsor/shell/destroy_script.h"

namespace pillora {

namespace {

Text quoted(TextView path) {
  return u"\"" + Text(path) + u"\"";
}

// A single-quoted sh word: nothing inside is expanded; a quote is closed, escaped, reopened.
Text shellWord(TextView text) {
  return u"'" + replaceAll(text, u"'", u"'\\''") + u"'";
}

}  // namespace

Text getAppFilePath(TextView folder, TextView name, char16_t separator) {
  const Text single(1, separator);
  return replaceAll(Text(folder) + single + Text(name), single + single, single);
}

std::vector<Text> destroyBatLines(TextView target, TextView script) {
  const Text indent = u"     ";
  return {u"@echo off",
          u":aa",
          indent + u"if exist " + quoted(target) + u" goto bb",
          indent + u"goto cc",
          u":bb",
          indent + u"del " + quoted(target),
          indent + u"cls",
          indent + u"if exist " + quoted(target) + u" goto aa",
          indent + u"cls",
          u":cc",
          indent + u"del " + quoted(target),
          indent + u"del " + quoted(script),
          indent + u"cls",
          indent + u"exit"};
}

std::vector<Text> destroyShLines(TextView target, TextView script) {
  const Text indent = u"     ";
  return {u"#!/bin/sh",
          u"target=" + shellWord(target),
          u"script=" + shellWord(script),
          u"tries=0",
          u"while [ -e \"$target\" ] && [ \"$tries\" -lt 60 ]; do",
          indent + u"rm -f \"$target\"",
          indent + u"[ -e \"$target\" ] && sleep 1",
          indent + u"tries=$((tries + 1))",
          u"done",
          u"rm -f \"$target\"",
          u"rm -f \"$script\"",
          u"exit 0"};
}

}  // namespace pillora
