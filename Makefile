# The README's commands. Each installs what the machine lacks and builds what is out of date.
JOBS := $(shell nproc)
NATIVE := build/native
WINDOWS := build/windows
FUZZ := build/fuzz
FUZZ_RUNS ?= 1000000

.PHONY: deps native windows fuzzers build test run say mail outbox bench fuzz

deps:
	@scripts/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

windows: deps
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -Wno-dev >/dev/null
	@cmake --build $(WINDOWS) -j$(JOBS)

fuzzers: deps
	@cmake -S . -B $(FUZZ) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DLECTAVO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS)

build: native windows fuzzers

# Native tests on the fakes, each fuzz target briefly, then the Windows build under Wine.
test: build
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)
	cd $(FUZZ) && ctest --output-on-failure -j$(JOBS)
	cd $(WINDOWS) && ctest --output-on-failure

# The device needs the Windows programs only.
run: windows
	@scripts/run

# A voice command to the device of make run: make say CMD=VorlesenAus; a spoken answer into
# its microphone: make say ANSWER=answer.wav or ANSWER="Ich komme um drei.". The build speaks up
# only when it rebuilt something or failed.
say: export LECTAVO_ANSWER = $(value ANSWER)
say: deps
	@scripts/quiet-build $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -Wno-dev
	@if [ -n "$$LECTAVO_ANSWER" ]; then scripts/say-answer; else scripts/say $(CMD); fi

# Mail for the device of make run: make mail STORE=Büro FROM="Name <address>" SUBJECT=… BODY=…
# The values go on unexpanded, so quotes and $ arrive as typed.
mail: export LECTAVO_MAIL_STORE = $(value STORE)
mail: export LECTAVO_MAIL_FROM = $(value FROM)
mail: export LECTAVO_MAIL_SUBJECT = $(value SUBJECT)
mail: export LECTAVO_MAIL_BODY = $(value BODY)
mail: windows
	@scripts/mail

# What the device of make run keeps in its outboxes: the answers sent and those not sent.
outbox:
	@scripts/outbox

bench: build
	@scripts/bench

# Every fuzz target for FUZZ_RUNS executions.
fuzz: fuzzers
	@scripts/fuzz $(FUZZ) $(FUZZ_RUNS)
