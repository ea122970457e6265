// The benchmark page's loader: the same page around the benchmark module, which runs at once and
// leaves its figures for the driver to read; opened with ?failing-handler, it runs instead a handler
// that fails, for the page's test to see a run-time error of the module reported in the page.
'use strict';
import { moduleBytes } from './module_bytes.js';
import { page } from './page.js';

createPalettra({ wasmBinary: moduleBytes() }).then((module) => {
    if (new URLSearchParams(location.search).has('failing-handler'))
        document.body.dataset.finishedRuns = module.runFailingHandler(page);
    else
        document.body.dataset.benchmarks = module.runBenchmarks(page);
});
