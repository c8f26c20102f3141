#pragma once
// The error types of the system. Every failure the programs raise on purpose is one of
// these; the failure styles (statement by statement, procedure exit, propagate) catch
// exactly these and nothing else.
#include <stdexcept>
#include <string>

namespace pillora {

class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that cannot be read as the number or date asked for ("type mismatch").
class ConversionError : public AppError {
 public:
  using AppError::AppError;
};

// A number outside the range of the type it must fit (16-bit integers above all).
class OverflowError : public AppError {
 public:
  using AppError::AppError;
};

// A position or index outside a collection, array or split result.
class SubscriptError : public AppError {
 public:
  using AppError::AppError;
};

// A file that cannot be opened, read or written.
class FileError : public AppError {
 public:
  using AppError::AppError;
};

// A database that cannot be opened or a statement the engine refuses.
class DatabaseError : public AppError {
 public:
  using AppError::AppError;
};

// A printer that is missing, refuses a document or fails while drawing.
class PrinterError : public AppError {
 public:
  using AppError::AppError;
};

// A duplicate key in a keyed collection.
class DuplicateKeyError : public AppError {
 public:
  using AppError::AppError;
};

// An argument a procedure cannot work with (a negative length, for one).
class InvalidArgumentError : public AppError {
 public:
  using AppError::AppError;
};

}  // namespace pillora
