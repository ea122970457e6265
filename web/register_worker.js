// Served from a web server, the page has a service worker keep its files, so that it opens without a
// network and from a home screen; opened from disk it has none. Written, like support.js, for any
// browser: one without workers, or one that refuses this one, runs the page as it is, and a refusal
// is kept with the page's other problems.
(function () {
    'use strict';
    if (!/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator))
        return;
    function record(error) {
        window.palettraHealth.problems.push('service worker: ' + error);
    }
    // After the load, so that the worker's first fetch of the files never slows the program's start.
    window.addEventListener('load', function () {
        try {
            navigator.serviceWorker.register('./service-worker.js').catch(record);
        } catch (error) {
            record(error);
        }
    });
})();
