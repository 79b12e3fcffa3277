#!/usr/bin/env node
