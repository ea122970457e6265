# A thin front over CMake: the build logic lives in CMakeLists.txt.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
WEB_DIR ?= build-web

.PHONY: all deps configure build run test sanitize bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPALETTRA_PAGE=$(abspath $(WEB_DIR))/palettra.html >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/palettra

# The browser page too, which the page test opens in headless Chromium.
test: build web
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
SANITIZE_DIR ?= build-asan
sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DPALETTRA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The heavy handlers against QPainter and against one pass over the pixels, in Release,
# then start-up time and memory of the real program under Xvfb; then the same handlers in the
# browser beside the native ones, and the page's size and start.
RELEASE_DIR ?= build-release
bench: deps web
	@cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(RELEASE_DIR) -j $(JOBS) --target palettra palettra_bench handler_times
	@cmake --build $(WEB_DIR) -j $(JOBS) --target palettra_bench_page
	@mkdir -p $(BUILD_DIR)
	QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/bench/palettra_bench \
		--benchmark_out=$(BUILD_DIR)/bench.json --benchmark_out_format=json
	bench/startup.sh $(RELEASE_DIR)/palettra $(BUILD_DIR)/startup.json
	/usr/bin/python3 bench/web_bench.py --native $(RELEASE_DIR)/bench/handlers/handler_times \
		--page $(WEB_DIR)/palettra.html --bench-page $(WEB_DIR)/palettra-bench.html \
		--desktop $(BUILD_DIR)/bench.json --out $(BUILD_DIR)/web-bench.json

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(RELEASE_DIR) $(WEB_DIR)

# The browser build: the page as one self-contained file, build-web/palettra.html.
.PHONY: web
web: deps
	@emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WEB_DIR) -j $(JOBS)

.PHONY: package pictures

# A Debian package of the program, written into $(BUILD_DIR).
package: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target package

# A picture of each window, and one of the browser page, for the README.
pictures: configure web
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target snapshot
	$(BUILD_DIR)/tools/snapshot docs/pictures
	/usr/bin/python3 tools/page_picture.py $(WEB_DIR)/palettra.html docs/pictures/browser.png
	/usr/bin/python3 tools/page_picture.py $(WEB_DIR)/palettra.html docs/pictures/browser-chromebook.png chromebook
	/usr/bin/python3 tools/page_picture.py $(WEB_DIR)/palettra.html docs/pictures/browser-ipad-upright.png ipad-upright
