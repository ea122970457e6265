// Starts the program once the module is ready; the mark times the page's start. A browser that
// cannot run it has been told so already (support.js); one that fails to start it says why.
// `createPalettra` is the module's loader, which the page's script holds just before this bundle.
'use strict';
import { moduleBytes } from './module_bytes.js';
import { page } from './page.js';

if (palettraHealth.supported) {
    createPalettra({ wasmBinary: moduleBytes() }).then((module) => {
        const program = new module.Program(page);
        page.connect(program);
        palettraHealth.heapInUse = () => module.heapInUse();
        program.start();
        performance.mark('palettra-started');
    }).catch((error) => {
        palettraHealth.problems.push(`start: ${error}`);
        palettraHealth.showNotice('failed', String(error));
    });
}
