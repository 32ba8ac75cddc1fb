// Folding and indentation of the language configuration, simulated as the
// editor applies them: folding markers pair up like a stack, and each line is
// indented by the rules that its neighbours match.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { EXTENSION, REPOSITORY, linesOf } = require('./support');

const configuration = require(path.join(EXTENSION, 'language-configuration.json'));
const markers = configuration.folding.markers;
const rules = configuration.indentationRules;
// The editor ignores flags on folding markers, so the patterns carry none.
const regex = (pattern) => new RegExp(pattern);

const SAMPLE = `SUB MAIN
  FOR I = 1 TO 3
    IF I = 2 THEN ' a comment after THEN keeps the block form
      PRINT I
    ELSE
      PRINT 0
    end if
    IF X THEN PRINT 1
    FOR J = 1 TO 2: NEXT
  NEXT
  SELECT CASE X
  CASE 1
    DO WHILE Y
    LOOP
  CASE ELSE
    While Z
    WEND
  END CASE
END SUB`.split('\n');

/** Folding ranges [first, last] from the markers, as pairs of a stack. */
function foldingRanges(lines) {
  const start = regex(markers.start);
  const end = regex(markers.end);
  const open = [];
  const ranges = [];
  lines.forEach((line, index) => {
    if (start.test(line)) open.push(index);
    else if (end.test(line)) {
      assert.ok(open.length > 0, `line ${index + 1} closes nothing: ${line}`);
      ranges.push([open.pop(), index]);
    }
  });
  assert.deepStrictEqual(open, [], 'blocks left open');
  return ranges.sort((a, b) => a[0] - b[0]);
}

/** Each line's indentation level from the rules, blank lines skipped. */
function indentLevels(lines) {
  const increase = regex(rules.increaseIndentPattern);
  const decrease = regex(rules.decreaseIndentPattern);
  let level = 0;
  let previous = null;
  return lines.map((line) => {
    if (line.trim() === '') return null;
    if (previous !== null && increase.test(previous)) level++;
    if (decrease.test(line)) level--;
    previous = line;
    return level;
  });
}

test('blocks fold from their opening to their closing line', () => {
  assert.deepStrictEqual(foldingRanges(SAMPLE),
    [[0, 18], [1, 9], [2, 6], [10, 17], [12, 13], [15, 16]]);
  foldingRanges(linesOf(path.join(REPOSITORY, 'examples', 'hello', 'scripts', 'SETUP.BAS')));
});

test('the indentation rules reproduce the house style', () => {
  const files = [path.join(REPOSITORY, 'examples', 'hello', 'scripts', 'SETUP.BAS'),
    path.join(REPOSITORY, 'tests', 'scripts', 'select', 'select_case.bas')];
  for (const lines of [SAMPLE, ...files.map(linesOf)]) {
    const written = lines.map((line) => (line.trim() === '' ? null : line.search(/\S/) / 2));
    assert.deepStrictEqual(indentLevels(lines), written);
  }
});

test('comments and brackets', () => {
  assert.strictEqual(configuration.comments.lineComment, "'");
  assert.deepStrictEqual(configuration.brackets, [['(', ')']]);
});
