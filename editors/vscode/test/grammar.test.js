// The generated grammar against the runtime's own lexical rules: every
// keyword, string, comment, label and number of the golden scripts and the
// examples gets its scope, and nothing outside strings and comments is
// coloured as one.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const vsctm = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');
const { EXTENSION, languageScripts, linesOf, languageWords } = require('./support');

const GRAMMAR = path.join(EXTENSION, 'syntaxes', 'vorna.tmLanguage.json');

async function loadGrammar() {
  const wasm = fs.readFileSync(path.join(path.dirname(require.resolve('vscode-oniguruma')),
    'onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer);
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
      createOnigString: (text) => new oniguruma.OnigString(text),
    }),
    loadGrammar: async (scopeName) => (scopeName === 'source.vorna'
      ? vsctm.parseRawGrammar(fs.readFileSync(GRAMMAR, 'utf8'), GRAMMAR) : null),
  });
  return registry.loadGrammar('source.vorna');
}

const isNameStart = (c) => /[A-Za-z_]/.test(c || '');
const isNameChar = (c) => /[A-Za-z0-9_]/.test(c || '');
const isDigit = (c) => /[0-9]/.test(c || '');

// The loader cuts a line at its first apostrophe outside strings when that
// comes before the first ":" outside strings.
function apostropheComment(line) {
  let inString = false;
  for (let i = 0; i < line.length; i++) {
    if (line[i] === '"') inString = !inString;
    else if (!inString && line[i] === ':') return -1;
    else if (!inString && line[i] === "'") return i;
  }
  return -1;
}

// A label: letters and digits from the first column, ended by the line's first ":".
function labelLength(code) {
  let i = 0;
  while (i < code.length && /[A-Za-z0-9]/.test(code[i])) i++;
  return i > 0 && code[i] === ':' ? i : 0;
}

// Two quotes stand for one; a string ends at its closing quote or the line's end.
function stringEnd(code, start) {
  let i = start + 1;
  while (i < code.length) {
    if (code[i] === '"' && code[i + 1] === '"') i += 2;
    else if (code[i] === '"') return i + 1;
    else i++;
  }
  return code.length;
}

// digits [. digits] [E [+|-] digits], or . digits
function numberEnd(code, start) {
  let i = start;
  while (isDigit(code[i])) i++;
  if (code[i] === '.') for (i++; isDigit(code[i]);) i++;
  const sign = code[i + 1] === '+' || code[i + 1] === '-' ? 1 : 0;
  if (/[Ee]/.test(code[i] || '') && isDigit(code[i + 1 + sign])) {
    for (i += 1 + sign; isDigit(code[i]);) i++;
  }
  return i;
}

/** What the runtime reads in a line: regions with the scope each must get. */
function expectedRegions(line, words) {
  const regions = [];
  const add = (kind, start, end, scope) => regions.push({ kind, start, end, scope });
  const cut = apostropheComment(line);
  const code = cut >= 0 ? line.slice(0, cut) : line;
  if (cut >= 0) add('comment', cut, line.length, 'comment.line');
  let i = labelLength(code);
  if (i > 0) add('label', 0, i++, 'entity.name.label.vorna');
  let jumpTarget = false;
  while (i < code.length) {
    const c = code[i];
    const start = i;
    if (c === '"') {
      i = stringEnd(code, i);
      add('string', start, i, 'string.quoted.double.vorna');
    } else if (jumpTarget && isNameChar(c)) {
      while (isNameChar(code[i])) i++;
      add('label', start, i, 'entity.name.label.vorna');
      jumpTarget = false;
    } else if (isNameStart(c)) {
      while (isNameChar(code[i])) i++;
      const word = code.slice(start, i).toUpperCase();
      if (code[start - 1] === '.') continue;  // a member of an object
      if (word === 'REM') {
        add('comment', start, code.length, 'comment.line');
        break;
      }
      if (words.has(word)) add('keyword', start, i, words.get(word));
      jumpTarget = word === 'GOTO' || word === 'GOSUB';
    } else if (isDigit(c) || (c === '.' && isDigit(code[i + 1]))) {
      i = numberEnd(code, i);
      add('number', start, i, 'constant.numeric.vorna');
    } else {
      i++;
    }
  }
  return regions;
}

/** The scopes of every character of a line. */
function scopesByCharacter(tokens, length) {
  const scopes = new Array(length);
  for (const token of tokens) {
    for (let i = token.startIndex; i < Math.min(token.endIndex, length); i++) scopes[i] = token.scopes;
  }
  return scopes;
}

function checkLine(where, line, scopes, regions) {
  const covered = new Array(line.length).fill(false);
  for (const region of regions) {
    for (let i = region.start; i < region.end; i++) {
      assert.ok(scopes[i].some((s) => s.startsWith(region.scope)),
        `${where}: ${region.kind} '${line.slice(region.start, region.end)}' at column ${i + 1} ` +
        `has ${scopes[i].join(' ')}, wants ${region.scope}`);
      if (region.kind === 'string' || region.kind === 'comment') covered[i] = true;
    }
  }
  for (let i = 0; i < line.length; i++) {
    if (covered[i]) continue;
    assert.ok(!scopes[i].some((s) => s.startsWith('string') || s.startsWith('comment')),
      `${where}: column ${i + 1} of code is coloured as ${scopes[i].join(' ')}`);
  }
}

function tokenizeFile(grammar, lines, visit) {
  let state = vsctm.INITIAL;
  lines.forEach((line, index) => {
    const result = grammar.tokenizeLine(line, state);
    state = result.ruleStack;
    visit(line, index, scopesByCharacter(result.tokens, line.length));
  });
}

test('the scripts of the repository get the scopes the runtime reads', async () => {
  const grammar = await loadGrammar();
  const words = languageWords();
  const counts = { keyword: 0, string: 0, comment: 0, label: 0, number: 0 };
  const scripts = languageScripts();
  assert.ok(scripts.length >= 40, `only ${scripts.length} scripts found`);
  for (const file of scripts) {
    tokenizeFile(grammar, linesOf(file), (line, index, scopes) => {
      const regions = expectedRegions(line, words);
      checkLine(`${path.basename(file)}:${index + 1}`, line, scopes, regions);
      for (const region of regions) counts[region.kind]++;
    });
  }
  for (const [kind, count] of Object.entries(counts)) {
    assert.ok(count >= 20, `only ${count} ${kind} regions checked`);
  }
});

test('the finer lexical rules', async () => {
  const grammar = await loadGrammar();
  const words = languageWords();
  const lines = [
    'X = 1: \' after a ":" an apostrophe is no comment',
    'PRINT "a:b": REM the rest, ":" included : PRINT 2',
    'PRINT "say ""hi""" \' quotes doubled',
    'A = 1.5E2 + .5 + 25E-1 + 3. + X1',
    'Start: PRINT "labelled"',
    'My_Label: X = 1',
    ' Start2: X = 1',
    'sub Foo (a) \' lower case is the same language',
    'IF ERR.NUMBER = 33 THEN GOTO Handler ELSE GOSUB 100',
    'D.FILE = LEFT$(D.FILTER, 3)',
    'PROGRAMNAME = "Tool": BACKDROP TRUE: CALCSPACE',
  ];
  tokenizeFile(grammar, lines, (line, index, scopes) => {
    checkLine(`line ${index + 1}`, line, scopes, expectedRegions(line, words));
  });
  const at = (line, column) => scopesByCharacter(
    grammar.tokenizeLine(line, vsctm.INITIAL).tokens, line.length)[column];
  assert.ok(at('sub Foo (a)', 4).includes('entity.name.function.vorna'));
  assert.ok(at('D.FILE = 1', 2).includes('variable.other.member.vorna'));
  assert.ok(at('PROGRAMNAME = "x"', 0).includes('support.variable.install.vorna'));
  assert.ok(at('IF ASKDRIVE THEN', 3).includes('support.function.install.vorna'));
  assert.ok(at('DIM D AS STDFILE', 10).includes('storage.type.object.vorna'));
  assert.ok(at('PRINT "say ""hi"""', 11).includes('constant.character.escape.quote.vorna'));
  assert.ok(!at('My_Label: X = 1', 0).includes('entity.name.label.vorna'));
});
