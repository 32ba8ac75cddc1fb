// The extension's code: a task provider for the checker, the build and the
// sandbox run. Highlighting, folding and indentation need no code.
'use strict';

const vscode = require('vscode');
const { ACTIONS, commandLine } = require('./tasks');

const SETTINGS = ['packPath', 'runPath', 'runtimePath', 'scriptsFolder', 'filesFolder', 'output',
  'answersFile'];

function settingsOf(folder) {
  const configuration = vscode.workspace.getConfiguration('vorna', folder.uri);
  const settings = {};
  for (const name of SETTINGS) settings[name] = configuration.get(name);
  return settings;
}

function makeTask(definition, folder) {
  const { program, args } = commandLine(definition.action, settingsOf(folder), folder.uri.fsPath);
  const execution = new vscode.ProcessExecution(program, args, { cwd: folder.uri.fsPath });
  const task = new vscode.Task(definition, folder, definition.action, 'vorna', execution,
    ['$vorna-check']);
  if (definition.action === 'build') task.group = vscode.TaskGroup.Build;
  return task;
}

function activate(context) {
  const provider = {
    provideTasks() {
      const folders = vscode.workspace.workspaceFolders || [];
      return folders.flatMap((folder) =>
        ACTIONS.map((action) => makeTask({ type: 'vorna', action }, folder)));
    },
    resolveTask(task) {
      const folder = task.scope && task.scope.uri ? task.scope : undefined;
      return folder ? makeTask(task.definition, folder) : undefined;
    },
  };
  context.subscriptions.push(vscode.tasks.registerTaskProvider('vorna', provider));
}

function deactivate() {}

module.exports = { activate, deactivate };
