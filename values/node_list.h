// The owning, singly linked list of named nodes behind every collection of
// the interpreter: modules, lines, procedures, labels, variables, extensions.
#pragma once

#include <cstdint>

namespace vorna {

/// Base of every listed item: a link to the next node and an owned name.
class NamedNode {
 public:
  NamedNode() = default;
  NamedNode(const NamedNode&) = delete;
  NamedNode& operator=(const NamedNode&) = delete;
  virtual ~NamedNode();

  /// Replaces the name with a private copy of text (nullptr clears it).
  void SetName(const char* text);
  const char* name() const { return name_; }
  NamedNode* next() const { return next_; }
  void setNext(NamedNode* node) { next_ = node; }

 private:
  NamedNode* next_ = nullptr;
  char* name_ = nullptr;
};

/// A list that owns its nodes. Lookups compare names exactly; callers
/// upper-case first when they want case-insensitive names.
///
/// The single cursor is part of the contract: Append and FindByName leave it
/// where the walks of the interpreter expect it, so a walk over a list must not
/// start another walk on the same list before it is done.
class NodeList : public NamedNode {
 public:
  NodeList() = default;
  ~NodeList() override;

  /// Links node at the tail (moving it there if it is already linked here);
  /// the cursor is left on the head.
  void Append(NamedNode* node);
  /// Removes node if it is linked here; it is not destroyed.
  void Unlink(NamedNode* node);
  /// First node whose name equals text byte for byte; the cursor is left on it.
  NamedNode* FindByName(const char* text);
  /// Unlinks and destroys every node, head first.
  void Clear();

  int32_t count() const { return count_; }
  NamedNode* head() const { return head_; }
  NamedNode* cursor() const { return cursor_; }
  void setCursor(NamedNode* node) { cursor_ = node; }

 private:
  int32_t count_ = 0;
  NamedNode* head_ = nullptr;
  NamedNode* cursor_ = nullptr;
};

/// Heap copy of a NUL-terminated text, released with FreeText.
char* CopyText(const char* text);
void FreeText(char* text);

}  // namespace vorna
