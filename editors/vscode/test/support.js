// What the editor tests share: the repository's scripts and the language's
// words as the grammar tool reports them.
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const EXTENSION = path.resolve(__dirname, '..');
const REPOSITORY = path.resolve(EXTENSION, '..', '..');
const BUILD = process.env.VORNA_BUILD || path.join(REPOSITORY, 'build', 'linux');
const GRAMMAR_TOOL = path.join(BUILD, 'tools', 'grammar', 'vorna-grammar');
const PACK_TOOL = path.join(BUILD, 'tools', 'pack', 'vorna-pack');

/** Every file below folder whose name ends in one of the suffixes (any case). */
function filesBelow(folder, suffixes) {
  const found = [];
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const full = path.join(folder, entry.name);
    if (entry.isDirectory()) found.push(...filesBelow(full, suffixes));
    else if (suffixes.some((s) => entry.name.toLowerCase().endsWith(s))) found.push(full);
  }
  return found.sort();
}

/** The golden scripts and the examples' scripts: correct programs of the language. */
function languageScripts() {
  return [
    ...filesBelow(path.join(REPOSITORY, 'tests', 'scripts'), ['.bas']),
    ...filesBelow(path.join(REPOSITORY, 'examples'), ['.bas']),
  ];
}

/** A file's lines without their line ends. */
function linesOf(file) {
  return fs.readFileSync(file, 'latin1').split(/\r?\n/);
}

/** The scope of every coloured word, upper-case, as vorna-grammar --words reports it. */
function languageWords() {
  const words = new Map();
  const text = execFileSync(GRAMMAR_TOOL, ['--words'], { encoding: 'latin1' });
  for (const line of text.split('\n')) {
    const [word, scope] = line.split(' ');
    if (word) words.set(word, scope);
  }
  return words;
}

module.exports = {
  EXTENSION, REPOSITORY, PACK_TOOL, GRAMMAR_TOOL, filesBelow, languageScripts, linesOf, languageWords,
};
