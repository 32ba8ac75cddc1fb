#include "builtins/function_shapes.h"

namespace vorna {

namespace {

constexpr DollarSuffix kNo = DollarSuffix::NotAllowed;
constexpr DollarSuffix kDollar = DollarSuffix::Allowed;

// ERROR, INPUT, SEEK and STRING are missing on purpose: a name lookup answers
// their first row, which is no function, so no expression calls them.
const std::vector<FunctionShape> kShapes = {
    {KeywordId::Abs, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Asc, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Atn, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::CDbl, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Chr, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::CInt, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::CLng, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Cos, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Date, CallForm::Reserved, 0, 0, kDollar},
    {KeywordId::Environ, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Eof, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Err, CallForm::Member, 0, 0, kNo},
    {KeywordId::Exp, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::FileAttr, CallForm::Reserved, 0, 0, kNo},
    {KeywordId::Fix, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::FreeFile, CallForm::NoArguments, 0, 0, kNo},
    {KeywordId::Hex, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::InStr, CallForm::ArgumentList, 2, 4, kNo},
    {KeywordId::Int, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::LCase, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Left, CallForm::ArgumentList, 2, 2, kDollar},
    {KeywordId::Len, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Loc, CallForm::Reserved, 0, 0, kNo},
    {KeywordId::Log, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::LTrim, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Mid, CallForm::ArgumentList, 2, 3, kDollar},
    {KeywordId::MsgBox, CallForm::ArgumentList, 1, 3, kNo},
    {KeywordId::Oct, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Registry, CallForm::ArgumentList, 2, 2, kNo},
    {KeywordId::Right, CallForm::ArgumentList, 2, 2, kDollar},
    {KeywordId::Rnd, CallForm::EmptyList, 0, 0, kNo},
    {KeywordId::RTrim, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Sgn, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Shell, CallForm::ArgumentList, 1, 2, kNo},
    {KeywordId::Sin, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Space, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Spc, CallForm::Reserved, 0, 0, kNo},
    {KeywordId::Sqr, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::CStr, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Strig, CallForm::Reserved, 0, 0, kNo},
    {KeywordId::Tab, CallForm::Reserved, 0, 0, kNo},
    {KeywordId::Tan, CallForm::ArgumentList, 1, 1, kNo},
    {KeywordId::Time, CallForm::Reserved, 0, 0, kDollar},
    {KeywordId::UCase, CallForm::ArgumentList, 1, 1, kDollar},
    {KeywordId::Val, CallForm::ArgumentList, 1, 1, kNo},
};

const std::vector<const char*> kErrMembers = {"NUMBER", "DESCRIPTION", "LINE", "MODULE",
                                              "FUNCTION"};

}  // namespace

const std::vector<FunctionShape>& FunctionShapes() {
  return kShapes;
}

const FunctionShape* FindFunctionShape(KeywordId id) {
  for (const FunctionShape& shape : kShapes) {
    if (shape.id == id) return &shape;
  }
  return nullptr;
}

const std::vector<const char*>& ErrMemberWords() {
  return kErrMembers;
}

}  // namespace vorna
