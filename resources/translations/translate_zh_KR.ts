<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>항목을 두 번 클릭하면 이전 창에 붙여넣습니다</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>클릭하여 전역 단축키를 켭니다</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>클릭하여 전역 단축키를 끕니다</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>단축키 설정</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>탭을 클릭하여 해당 단축키를 설정합니다</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>왼쪽은 순환 단축키, 오른쪽은 고정 슬롯 단축키를 설정합니다</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>단축키 사용</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>순환 단축키</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>마우스 포인터가 있는 행의 내용을 복사</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>「Space」 키로도 가능 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>파일 복사</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>선택한 모든 항목의 파일을 복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>선택한 모든 행을 위에서 아래로 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>「Enter」 키로도 가능 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>역순 붙여넣기</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>선택한 모든 행을 아래에서 위로 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>뒤집어 붙여넣기</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>텍스트를 오른쪽에서 왼쪽으로 뒤집어 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>선택한 모든 항목의 파일을 기본 프로그램으로 열기</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>항상 위에 있는 창에 표시</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>선택한 항목을 즐겨찾기로 표시
즐겨찾기는 즐겨찾기 탭에서만 삭제할 수 있습니다</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>선택한 모든 행 삭제
「Del」 키로도 가능 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5 해시</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>현재 항목의 MD5 가져오기</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64 인코딩</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>현재 항목의 Base64 가져오기</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>프로그램 기능을 설정합니다</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>모든 기기에서 클립보드 기록을 동기화합니다</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>인코딩</translation>
    </message>
</context>
<context>
    <name>login_widget</name>
    <message>
        <source>尚未登录</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>请先输入有效账号或密码</source>
        <translation>계정과 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>暂时无法连接服务器</source>
        <translation>서버에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>请检查当前网络是否顺畅</source>
        <translation>네트워크 연결을 확인하세요</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>로그인했습니다</translation>
    </message>
    <message>
        <source>已经成功连接服务器</source>
        <translation>서버에 연결했습니다</translation>
    </message>
    <message>
        <source>更新列表中..</source>
        <translation>목록 업데이트 중…</translation>
    </message>
    <message>
        <source>请检查账号与密码</source>
        <translation>계정과 비밀번호를 확인하세요</translation>
    </message>
    <message>
        <source>账号或密码输入有误</source>
        <translation>계정 또는 비밀번호가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>가입했습니다</translation>
    </message>
    <message>
        <source>现在可以开始登录了</source>
        <translation>이제 로그인할 수 있습니다</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>가입하지 못했습니다</translation>
    </message>
    <message>
        <source>更换账号名称再试一试</source>
        <translation>다른 계정 이름으로 다시 시도하세요</translation>
    </message>
    <message>
        <source>更新完毕</source>
        <translation>업데이트 완료</translation>
    </message>
    <message>
        <source>当前列表内容已与云上同步</source>
        <translation>현재 목록을 클라우드와 동기화했습니다</translation>
    </message>
    <message>
        <source>登录失败次数过多，服务器已断开连接</source>
        <translation>로그인 실패가 많아 연결이 끊겼습니다</translation>
    </message>
    <message>
        <source>版本过低，服务器已断开连接</source>
        <translation>버전이 낮아 연결이 끊겼습니다</translation>
    </message>
    <message>
        <source>账号已停用，服务器已断开连接</source>
        <translation>계정 비활성화로 연결이 끊겼습니다</translation>
    </message>
    <message>
        <source>云端空间已满，服务器已断开连接</source>
        <translation>저장 공간 부족으로 연결이 끊겼습니다</translation>
    </message>
    <message>
        <source>服务器拒绝登录</source>
        <translation>서버가 로그인을 거부했습니다</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>자동 로그인</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>회원가입</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>输入账户</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>勾选此选项启动程序时将自动登录</source>
        <translation>선택하면 프로그램을 시작할 때 자동으로 로그인합니다</translation>
    </message>
    <message>
        <source>如果尚未注册账号请先注册</source>
        <translation>계정이 없으면 먼저 회원가입하세요</translation>
    </message>
    <message>
        <source>注册后请输入账号密码登录</source>
        <translation>가입한 뒤 계정과 비밀번호를 입력해 로그인하세요</translation>
    </message>
    <message>
        <source>更新内容需要一段时间
</source>
        <translation>업데이트에 시간이 걸릴 수 있습니다
</translation>
    </message>
    <message>
        <source>更新完毕之后将自动刷新内容列表</source>
        <translation>완료되면 목록이 자동으로 새로 고쳐집니다</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>quillbox</source>
        <translation>quillbox</translation>
    </message>
    <message>
        <source>本地列表已与云上同步</source>
        <translation>로컬 목록을 클라우드와 동기화했습니다</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>클립보드 기록을 다시 시작했습니다</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>클립보드 기록을 일시 중지했습니다</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>다크 모드를 켰습니다</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>라이트 모드를 켰습니다</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  선택한 항목: </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform>개</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, 오늘 복사: </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform>회</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>아직 내용이 없습니다.
Ctrl+C로 몇 가지 복사해 보세요~</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  파일을 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>파일을 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>클릭하여 클립보드 기록을 시작합니다</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>클릭하여 클립보드 기록을 일시 중지합니다</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>클릭하여 다크 모드로 전환합니다</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>클릭하여 라이트 모드로 전환합니다</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>클릭하여 설정을 엽니다</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>탭을 클릭하여 표시할 유형을 바꿉니다</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>모든 기기에서 클립보드 기록을 동기화합니다</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>프로그램 기능을 설정합니다</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>삭제됨: </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>창 제목: </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>만든 날짜: </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>수정한 날짜: </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>「이미지 파일」</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>글자 수: </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>오늘 복사: </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - 기본</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [텍스트, 이미지, 파일]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [텍스트, 파일, 이미지]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [이미지, 텍스트, 파일]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [이미지, 파일, 텍스트]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [파일, 텍스트, 이미지]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [파일, 이미지, 텍스트]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>텍스트 표시</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>이미지 표시</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>파일 표시</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>모두 표시</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> 값을 복사했습니다</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  여러 파일은 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>여러 파일은 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  파일의 Base64는 아직 지원하지 않습니다</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>파일 Base64는 아직 지원하지 않습니다</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>즐겨찾기 해제 </translation>
    </message>
    <message>
        <source>增加</source>
        <translation>즐겨찾기 추가 </translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform>개</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  이미지를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>이미지를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  텍스트를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>텍스트를 클립보드에 복사했습니다</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform>개 항목</numerusform>
        </translation>
    </message>
    <message>
        <source>需要更新，前往下载？</source>
        <translation>업데이트를 다운로드할까요?</translation>
    </message>
    <message>
        <source>历史记录无法保存</source>
        <translation>기록을 저장할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>예</translation>
    </message>
    <message>
        <source>否</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>단축키「Enter」🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>단축키「Esc」🪂</translation>
    </message>
</context>
<context>
    <name>settings_widget</name>
    <message>
        <source>文本</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文本</source>
        <translation>복사한 텍스트를 기록합니다</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的图片</source>
        <translation>복사한 이미지를 기록합니다</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文件路径</source>
        <translation>복사한 파일의 경로를 기록합니다</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>자동 실행</translation>
    </message>
    <message>
        <source>勾选此选项程序将跟随系统启动</source>
        <translation>시스템이 시작될 때 프로그램을 실행합니다</translation>
    </message>
    <message>
        <source>全屏冻结</source>
        <translation>전체 화면에서 끄기</translation>
    </message>
    <message>
        <source>勾选此选项在游戏等全屏模式下剪贴板快捷键将被禁用</source>
        <translation>게임 등 전체 화면 모드에서는 클립보드 단축키를 끕니다</translation>
    </message>
    <message>
        <source>添加换行</source>
        <translation>줄바꿈 추가</translation>
    </message>
    <message>
        <source>勾选此选项将在粘贴内容结束位置自动补充换行</source>
        <translation>붙여넣은 내용 끝에 줄바꿈을 자동으로 추가합니다</translation>
    </message>
    <message>
        <source>跨屏粘贴</source>
        <translation>기기 간 붙여넣기</translation>
    </message>
    <message>
        <source>勾选此选项且此机器已登录
在另一台机器上登录后复制
即可在本机直接粘贴</source>
        <translation>이 컴퓨터에 로그인되어 있으면
다른 컴퓨터에서 로그인한 뒤 복사한 내용을
여기에서 바로 붙여넣을 수 있습니다</translation>
    </message>
    <message>
        <source>自动粘贴</source>
        <translation>자동 붙여넣기</translation>
    </message>
    <message>
        <source>勾选此选项在主界面双击列表选项或以热键选中内容完毕时
将自动粘贴选中内容到上个编辑窗口</source>
        <translation>기본 화면에서 항목을 두 번 클릭하거나 단축키로 선택을 마치면
선택한 내용을 이전 창에 자동으로 붙여넣습니다</translation>
    </message>
    <message>
        <source>图片预览</source>
        <translation>이미지 미리 보기</translation>
    </message>
    <message>
        <source>勾选此选项鼠标在图片选项上时将自动弹出预览界面</source>
        <translation>마우스 포인터를 이미지 위에 올리면 미리 보기를 표시합니다</translation>
    </message>
    <message>
        <source>点按此处设置预览图片时的图片缩小倍数</source>
        <translation>클릭하여 미리 보기 이미지의 축소 배율을 설정합니다</translation>
    </message>
    <message>
        <source>点按此处设置搜索引擎 [B - baidu, G - google]</source>
        <translation>클릭하여 검색 엔진을 설정합니다 [B - Baidu, G - Google]</translation>
    </message>
    <message>
        <source>折叠显示</source>
        <translation>접어서 표시</translation>
    </message>
    <message>
        <source>勾选此选项时文本将折叠成单行显示
图片将以小图显示</source>
        <translation>텍스트를 한 줄로 접어서 표시하고
이미지를 작게 표시합니다</translation>
    </message>
    <message>
        <source>自动折叠</source>
        <translation>자동 접기</translation>
    </message>
    <message>
        <source>勾选此选项在窗体缩小到指定大小时将自动折叠显示内容</source>
        <translation>창을 일정 크기까지 줄이면 자동으로 접어서 표시합니다</translation>
    </message>
    <message>
        <source>自动隐藏</source>
        <translation>자동 숨기기</translation>
    </message>
    <message>
        <source>勾选此选项在粘贴内容完毕之后将自动隐藏窗口</source>
        <translation>붙여넣기가 끝나면 창을 자동으로 숨깁니다</translation>
    </message>
    <message>
        <source>即时预览</source>
        <translation>즉시 미리 보기</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Shift键直接预览复制内容</source>
        <translation>Shift 키를 누른 채 복사하면 복사한 내용을 바로 미리 봅니다</translation>
    </message>
    <message>
        <source>即时搜索</source>
        <translation>즉시 검색</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Ctrl+Shift键直接搜索复制内容</source>
        <translation>Ctrl+Shift 키를 누른 채 복사하면 복사한 내용을 바로 검색합니다</translation>
    </message>
    <message>
        <source>移除格式</source>
        <translation>서식 제거</translation>
    </message>
    <message>
        <source>移除复制内容中的格式</source>
        <translation>복사한 내용에서 서식을 제거합니다</translation>
    </message>
    <message>
        <source>循环数目</source>
        <translation>순환 항목 수 </translation>
    </message>
    <message>
        <source>滑动此处可设置全局热键按下时可循环选中最近的内容数目</source>
        <translation>밀어서 전역 단축키로 순환 선택할 최근 항목 수를 설정합니다</translation>
    </message>
    <message>
        <source>保存数目</source>
        <translation>저장 항목 수 </translation>
    </message>
    <message>
        <source>滑动此处可设置当前能存储的剪贴板内容最大数目</source>
        <translation>밀어서 저장할 클립보드 항목의 최대 개수를 설정합니다</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>存储类型</source>
        <translation>기록할 유형</translation>
    </message>
    <message>
        <source>夜间模式</source>
        <translation>다크 모드</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>클릭하여 다크 모드로 전환합니다</translation>
    </message>
    <message>
        <source>点按此处关闭夜间模式</source>
        <translation>클릭하여 다크 모드를 끕니다</translation>
    </message>
    <message>
        <source>热键 ➝ </source>
        <translation>단축키 ➝ </translation>
    </message>
    <message>
        <source>按下当前全局热键</source>
        <translation>어느 편집 창에서든 </translation>
    </message>
    <message>
        <source>即可在任意编辑页面
呼出本剪贴板快速粘贴选中项目</source>
        <translation> 키를 누르면
클립보드를 불러와 선택한 항목을 빠르게 붙여넣을 수 있습니다</translation>
    </message>
</context>
</TS>
