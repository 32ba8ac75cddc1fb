#include "values/node_list.h"

#include <cstring>

namespace vorna {

char* CopyText(const char* text) {
  size_t length = std::strlen(text);
  char* copy = new char[length + 1];
  std::memcpy(copy, text, length + 1);
  return copy;
}

void FreeText(char* text) {
  delete[] text;
}

NamedNode::~NamedNode() {
  FreeText(name_);
}

void NamedNode::SetName(const char* text) {
  FreeText(name_);
  name_ = text ? CopyText(text) : nullptr;
}

NodeList::~NodeList() {
  Clear();
}

void NodeList::Append(NamedNode* node) {
  Unlink(node);
  node->setNext(nullptr);
  cursor_ = head_;
  if (!head_) {
    head_ = node;
  } else {
    while (cursor_->next()) cursor_ = cursor_->next();
    cursor_->setNext(node);
  }
  ++count_;
  cursor_ = head_;
}

void NodeList::Unlink(NamedNode* node) {
  if (!head_) return;
  if (node == head_) {
    head_ = node->next();
    --count_;
    return;
  }
  for (NamedNode* walk = head_; walk->next(); walk = walk->next()) {
    if (walk->next() == node) {
      walk->setNext(node->next());
      --count_;
      return;
    }
  }
}

NamedNode* NodeList::FindByName(const char* text) {
  for (cursor_ = head_; cursor_; cursor_ = cursor_->next()) {
    if (cursor_->name() && std::strcmp(cursor_->name(), text) == 0) return cursor_;
  }
  return nullptr;
}

void NodeList::Clear() {
  cursor_ = head_;
  while (head_) {
    NamedNode* node = head_;
    Unlink(node);
    delete node;
    cursor_ = head_;
  }
}

}  // namespace vorna
