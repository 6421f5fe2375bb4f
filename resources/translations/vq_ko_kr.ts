<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>분</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>초</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>시스템 오류</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>자동 감지</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>네트워크를 확인하세요</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>스마트 설정</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>소프트웨어 설정</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>개인 설정</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>스마트 펜 설정</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>메인 창 열기</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>사용 가이드</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>권한 설정</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>장치가 감지되지 않음</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>수신기를 컴퓨터의 USB 포트에 꽂거나 블루투스로 마우스를 연결하세요</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>장치가 연결되면 설정 화면이 자동으로 열립니다</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>배터리가 부족합니다. 충전해 주세요</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>로그인 시 자동 실행</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>다음 항목에 따라 사용할 수 있는 기능이 결정됩니다</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>장치 액세스</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>장치 연결과 키·음성 수신을 위해 수신기의 HID 장치 노드를 읽고 씁니다</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>프로그램과 함께 제공되는 udev 규칙을 설치한 뒤 수신기를 다시 꽂으세요:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>접근성</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>데스크톱 접근성 버스(AT-SPI). 인식된 텍스트를 입력란에 바로 쓰는 데 사용합니다</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>at-spi2-core를 설치하고 시스템 설정에서 접근성을 켠 뒤 다시 로그인하세요</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11 세션</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>전역 단축키, 키 입력 재현, 입력 감시, 스크린샷에는 X11 세션이 필요합니다</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>로그인 화면에서 X11(Xorg) 세션을 선택하세요</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>제한됨</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Wayland 세션에서는 키 입력 재현, 전역 단축키, 입력 감시, 스크린샷이 XWayland 창에서만 작동하고 네이티브 Wayland 창에서는 작동하지 않습니다. 모든 기능을 사용하려면 로그인 화면에서 X11(Xorg) 세션을 선택하세요</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>허용되지 않음</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>수신기를 찾을 수 없음</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>명령 복사</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>보조 설정</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>일부 설정을 읽을 수 없어 기본값으로 되돌렸습니다</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>원래 설정 파일은 다음 이름으로 보관되었습니다: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>녹음에 실패했습니다. 마이크를 확인하세요</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>너무 빨리 눌렀습니다</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>말씀하세요...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>음성이 들리지 않았습니다. 음성 키를 눌러 다시 말씀하세요</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>입력 모드로 전환했습니다</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>번역 모드로 전환했습니다</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>서버에 연결하지 못했습니다. 네트워크를 확인하세요</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>오디오 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>답변의 오디오를 재생할 수 없습니다</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>붙여넣기 실패</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>번역 실패</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>소리 내어 읽을 수 없습니다: 음성 엔진 또는 사운드 출력 장치가 없습니다</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>오디오를 재생할 수 없습니다</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>브라우저를 열 수 없습니다</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>선택한 텍스트를 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>복사 실패</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>인식 결과</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>선택 텍스트 번역</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>스크린샷 번역</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>스크린샷 단축키를 다른 프로그램이 사용 중입니다</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>스크린샷 실패</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>AI 창을 열 수 없습니다</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>열 수 없습니다</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>%1% 다운로드됨</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>내보내기 완료</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>다운로드 실패, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>내보내기 실패, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc 키를 다른 프로그램이 사용 중입니다. 모드를 바꿔 펜을 끝내세요</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>화면을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>하드 레이저</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>강조 표시</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>디지털 광점</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>화면 전송 모드로 전환됨</translation>
    </message>
</context>
</TS>
